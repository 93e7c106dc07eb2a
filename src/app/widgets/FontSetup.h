#pragma once

// Maps the designed fonts (Verdana, Trebuchet MS, Arial Black) to close
// sans-serif fonts where the machine lacks them, keeping the names in code.
void installFontSubstitutions();
