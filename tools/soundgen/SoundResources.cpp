// zendral_sounds consists of its resources alone. CMake asks every library for a source file
// of its own, and this is it: the resources themselves are registered by the objects that
// qt_add_resources links into every program using the library, so no start-up call is needed.
