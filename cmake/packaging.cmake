# Installation of the program with its desktop entry and icon, and the Debian package.
