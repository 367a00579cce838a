// The fifth tab: the user's account totals and the averages derived from them.
#pragma once

#include "pages/page_text.h"

class UserInfo;

// Labels always; the values stay empty when the user file was not read (the caller sets the
// message line).
PageText BuildUserPage(const UserInfo& user);
