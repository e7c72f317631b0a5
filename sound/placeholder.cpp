// Placeholder until the library loader is implemented.
