// Drawing core.
