// PchAnchor.cpp: the one source of the target that owns the shared
// precompiled header.
