// A shared library that loads but offers none of the driver's calls.
extern "C" int notTheDriver() { return 0; }
