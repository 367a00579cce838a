// A client reader for tests of folders that hang, as a folder on a network mount can.
#pragma once

#include <memory>

#include "monitor/client_session.h"

// Hangs a refresh of the folders it is told to, until it is let go. Its refreshes may outlive
// it: what they wait on is shared with them.
class HangingReader {
public:
    HangingReader();
    ClientSession::Reader Reader() const;
    void Hang(const CString& folder);
    void LetGo();

private:
    struct State;
    std::shared_ptr<State> m_state;
};
