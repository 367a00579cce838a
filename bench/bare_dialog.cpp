// The floor of the real-program benchmarks: the least a wxWidgets program with a dialog costs.
// One modal dialog with a few controls (a line of text, a notebook with one page, two buttons),
// started the way Vantrel starts, shown until its close box is pressed.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        return 1;
    }
    {
        wxDialog dialog(nullptr, wxID_ANY, "Bare dialog", wxDefaultPosition, wxDefaultSize,
                        wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxStaticText(&dialog, wxID_ANY, "A header line"), 0, wxALL, 5);
        auto* notebook = new wxNotebook(&dialog, wxID_ANY);
        auto* page = new wxPanel(notebook);
        new wxStaticText(page, wxID_ANY, "Label\nLabel\nLabel", wxPoint(5, 5));
        notebook->AddPage(page, "Page");
        sizer->Add(notebook, 1, wxEXPAND | wxALL, 5);
        auto* buttons = new wxBoxSizer(wxHORIZONTAL);
        buttons->Add(new wxButton(&dialog, wxID_APPLY, "Refresh"), 0, wxALL, 5);
        buttons->Add(new wxButton(&dialog, wxID_OK, "Exit"), 0, wxALL, 5);
        sizer->Add(buttons, 0, wxALIGN_RIGHT);
        dialog.SetSizerAndFit(sizer);
        dialog.ShowModal();
    }
    wxEntryCleanup();
    return 0;
}
