// The status of a client as the overview's status column says it: what the last refresh found,
// why a client could not be read, and since when a client that is not live was last read.
#pragma once

#include "monitor/client_status.h"
#include "platform/base/cstring.h"

CString ClientStatusText(const ClientCondition& condition);

// Why a client could not be read, in a few words.
CString ReadProblemText(const ReadProblem& problem);
