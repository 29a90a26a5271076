// A module for the tests that open modules: one entry that says it was reached.

extern "C" int zel_module_probe() {
    return 1729;
}
