// Compiles nothing of its own: the precompiled headers of its target are what it is for.
