// A shared library that is no add-in: it lacks the entry point.
extern "C" __attribute__((visibility("default"))) int DuzNoEsComplemento() { return 1; }
