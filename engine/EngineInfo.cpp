namespace ombrelt {
int EngineVersion() { return 1; }
}
