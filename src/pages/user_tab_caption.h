// The caption of the user tab, with the user's name cut to fit the tab.
#pragma once

#include "platform/base/cstring.h"

class UserInfo;

// "ユーザ情報 (<name>)", or "ユーザ情報" when the user file was not read.
CString BuildUserTabCaption(const UserInfo& user);
