#include "app/page_view.h"
