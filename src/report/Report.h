#pragma once
// The report engine: the page model and its composition, the page store, and the renderers.
#include "report/Model.h"
#include "report/PageStore.h"
#include "report/Render.h"
