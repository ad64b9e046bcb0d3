// Test support library: the test relay and shared fixtures.
