// The first tab: the work unit's kind, name, time of receipt and versions.
#pragma once

#include "pages/page_text.h"

class WorkUnitInfo;

PageText BuildWorkUnitPage(const WorkUnitInfo& wu);
