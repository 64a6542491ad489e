#pragma once

// The short form (after a syntax error), or the full or extended form chosen
// by the verbose option, on ConsoleOut.
void DisplayHelpSyntax(bool shortHelp);
