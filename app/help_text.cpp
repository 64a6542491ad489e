#include "app/help_text.h"

void DisplayHelpSyntax(bool) {}
