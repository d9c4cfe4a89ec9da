TEXT = {}
