#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked to do, read from its arguments before any
// application object exists: help, version and usage errors need no display.

enum class TOrden {
  Ventana,  // the main window
  Generar,  // `generar`: the report road without a window
  Localidades,  // `localidades`: the back office's locality keys with operations
  Ayuda,    // `--help`
  Version,  // `--version`
  ErrorUso  // an unknown option or a missing value
};

// The window's own options.
struct TArgumentosVentana {
  QString sCarpeta;        // the Tolvex root; empty: the program's folder
  QString sCatalogo;       // a locality catalogue file instead of the compiled-in one
  QStringList Sucursales;  // roots of the branches its report consolidates
};

struct TOrdenPrograma {
  TOrden Orden = TOrden::Ventana;
  QStringList Argumentos;       // the command's own arguments, after its word
  TArgumentosVentana Ventana;   // TOrden::Ventana
  QString sError;               // TOrden::ErrorUso: what is wrong, in Spanish
};

// Argumentos: without the program's name.
TOrdenPrograma DameOrden(const QStringList& Argumentos);

// Parses the window's options. Returns the Spanish message of the first problem.
std::optional<QString> LeeArgumentosVentana(const QStringList& Argumentos,
                                            TArgumentosVentana& Args);
