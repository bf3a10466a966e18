namespace render {}
