// The program's texts as wx strings.
#pragma once

#include "gui/common/wx_text.h"
