// The program's one application object; the backend's entry point runs it.
#include "app/info_app.h"

CInfoApp theApp;
