#pragma once

#include <QString>

namespace ado::jet {

// Jet's names (tables, columns, functions, keywords) are the same whatever their letter case.
// Qt folds case one UTF-16 unit at a time, so names of two lengths differ: that is looked at
// first, as most names compared are not the one sought.
inline bool MismoNombre(QStringView a, QStringView b) {
  return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}
inline bool MismoNombre(QStringView a, QLatin1String b) {
  return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a token starts in the SQL text (1-based).
struct TPosicion {
  int nLinea = 1;
  int nColumna = 1;
};

enum class TTipoToken { Identificador, NombreCorchetes, Numero, Texto, Fecha, Simbolo, Fin };

struct TToken {
  TTipoToken tipo = TTipoToken::Fin;
  QString sTexto;  // without quotes, brackets or '#'; doubled quotes already undone
  TPosicion pos;

  // A bare word (never a [bracketed] name) equal to sPalabra ignoring case.
  bool EsPalabra(const char* sPalabra) const {
    return tipo == TTipoToken::Identificador && MismoNombre(sTexto, QLatin1String(sPalabra));
  }
  bool EsSimbolo(const char* sSimbolo) const {
    return tipo == TTipoToken::Simbolo && sTexto == QLatin1String(sSimbolo);
  }
};

}  // namespace ado::jet
