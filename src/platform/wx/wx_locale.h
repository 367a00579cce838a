// The program's locale: the user's for messages, dates and GTK's own texts, "C" for numbers.
#pragma once

// Takes the user's locale from the environment, as wxWidgets and GTK expect it to be set up once
// the toolkit has started, then sets numbers back to "C": the program writes and reads every
// number with printf and strtod, always with ".". False when the user's locale is not installed;
// everything then stays "C".
bool UseUserLocale();
