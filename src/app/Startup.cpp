// Program start-up.
