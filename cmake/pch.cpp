// Compiled only so that its target builds the precompiled headers other targets reuse.
