// What a client session knows of its client's state, beside the records: whether the last
// refresh read it, why not, and when it was last read.
#pragma once

#include <optional>

#include "clientfiles/client_folder_check.h"
#include "platform/base/ctime.h"

// In the order the overview's status column sorts them.
enum class ClientStatus {
    Running,
    Stalled,   // running, but its unit has not moved for a while
    Finished,  // the result is there; the client waits for a new unit
    Loading,   // no refresh has come in yet
    NotResponding,
    Unreadable,
    FolderMissing,
    NoClientFiles,
};

struct ClientCondition {
    ClientStatus status = ClientStatus::Loading;
    ReadProblem problem;  // why, for Unreadable
    // When a refresh last read the client whole (or its finished result): what a row that is
    // not live says instead of its old values. Nothing before the first such read.
    std::optional<CTime> lastGoodRead;
    // Stalled: when the unit last moved, by the wall clock.
    std::optional<CTime> stalledSince;

    // Whether the records show the client as it is now.
    bool Live() const {
        return status == ClientStatus::Running || status == ClientStatus::Stalled ||
               status == ClientStatus::Finished;
    }
};
