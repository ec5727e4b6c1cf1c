#pragma once

struct TOrdenPrograma;

// `encuesta-gafi generar ...`: the report road without a window. Creates its own
// application object; returns the process exit status (0 to 4).
int EjecutaLineaComandos(int argc, char** argv);

// `--help`, `--version`, a usage error, or the window asked for without a display:
// printed without any application object. Returns the exit status.
int EjecutaSinPantalla(const TOrdenPrograma& Orden);
