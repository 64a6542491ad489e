# Packages: filled in by the distribution work.
