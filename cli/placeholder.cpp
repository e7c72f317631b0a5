// Placeholder until the subcommands are implemented.
