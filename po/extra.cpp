// Texts that windows on their way into the program will show. Never compiled: make-pot.sh reads
// it, so that the catalogs hold their translations until the code marks these texts itself.
// Remove a line once the code marks its text.
_("Start with the desktop");
_("Days");
_("When checked, Stillmark starts with the desktop at each log-in.");
_("Stillmark alerts on the days that are pressed in.\nOn other days the list still shows the moments.");
