#include "pages/user_tab_caption.h"

#include "clientfiles/user_info.h"
#include "platform/base/text_encoding.h"
#include "res/strings.h"

namespace {

// Lengths count the bytes the name takes in code page 932, the encoding the tab was sized for.
constexpr int kMaxNameLength = 25;
constexpr int kCutLength = 26;
constexpr int kShortenedLength = 22;

// A name longer than the tab holds ends at its last word break within the first 26 bytes, or
// at 22 bytes followed by "..." when there is none. Cuts never fall inside a character, and
// only the ASCII space counts as a break (a full-width space does not).
CString ShortenName(const CString& name) {
    if (Cp932Length(name.str()) <= kMaxNameLength) {
        return name;
    }
    const CString piece = Cp932Prefix(name.str(), kCutLength);
    const int blank = piece.ReverseFind(' ');
    if (blank < 0) {
        return CString(Cp932Prefix(name.str(), kShortenedLength)) + "...";
    }
    CString shortened = piece.Left(blank);
    shortened.TrimRight();
    return shortened;
}

}  // namespace

CString BuildUserTabCaption(const UserInfo& user) {
    if (!user.found) {
        return Tr(Text::kTabUser);
    }
    CString name = user.GetName();
    name.Trim();
    CString caption;
    caption.Format(Tr(Text::kTabUserWithNameFormat), ShortenName(name).GetString());
    return caption;
}
