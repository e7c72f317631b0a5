// Placeholder until the Qt ports are implemented.
