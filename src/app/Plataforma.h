#pragma once

#include <QString>
#include <cstdio>

// What the command line does differently on each system; PlataformaPosix.cpp and
// PlataformaWindows.cpp implement it, and CMake compiles the one that fits.

// Gives the command line somewhere to print. The Windows program is a window
// program, which starts without a console: it borrows the console it was started
// from, unless its output already goes to a file or a pipe.
void PreparaConsola();

// Whether pDestino is a terminal that understands "\r\033[K" (return, erase line).
bool EsTerminal(std::FILE* pDestino);

// Writes sTexto to standard output or error: as the console shows it, or in
// UTF-8 to a file or pipe, with the system's line ends.
void EscribeTexto(std::FILE* pDestino, const QString& sTexto);

// True when Qt can show a window: on Windows always; elsewhere when a display is
// named or a Qt platform is chosen.
bool HayPantalla();
