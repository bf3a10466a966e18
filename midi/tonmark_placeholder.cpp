namespace midi {}
