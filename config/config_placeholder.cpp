namespace config {}
