namespace board {}
