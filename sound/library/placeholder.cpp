// Placeholder until the sound library is implemented.
