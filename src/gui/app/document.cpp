#include "gui/app/document.h"

wxIMPLEMENT_DYNAMIC_CLASS(CMy3DQuillfen95Doc, wxDocument);
