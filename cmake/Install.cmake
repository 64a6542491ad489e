# Install rules: filled in by the distribution work.
