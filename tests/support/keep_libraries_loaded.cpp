// SDL unloads the system libraries it opened (X11, udev, Mesa's drivers) when a subsystem
// quits; LeakSanitizer then cannot tell whose their leftover memory was and reports it as
// ours. Keeping every library loaded for the life of the test program removes those
// reports and keeps every report about our own code.
extern "C" int dlclose(void*) { return 0; }
