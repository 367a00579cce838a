// The second tab: when and where the telescope recorded the work unit, and how it was sampled.
#pragma once

#include "pages/page_text.h"

class WorkUnitInfo;

PageText BuildObservationPage(const WorkUnitInfo& wu);
