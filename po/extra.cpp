// Texts that windows on their way into the program will show. Never compiled: make-pot.sh reads
// it, so that the catalogs hold their translations until the code marks these texts itself.
// Remove a line once the code marks its text.
