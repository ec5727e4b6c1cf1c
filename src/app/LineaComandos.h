#pragma once

// `encuesta-gafi generar ...`: the report road without a window. Creates its own
// application object; returns the process exit status (0 to 4).
int EjecutaLineaComandos(int argc, char** argv);

// True when the arguments ask for the command line rather than the window.
bool EsLineaComandos(int argc, char** argv);
