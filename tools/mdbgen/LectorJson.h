#pragma once
// A pull reader over JSON text: values are read in place, so a file with a million rows
// is walked without building a document tree.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace mdbgen {

class TLectorJson {
 public:
  explicit TLectorJson(const QByteArray& texto) : F_texto(texto), F_n(texto.startsWith("\xEF\xBB\xBF") ? 3 : 0) {}
  char Mira();  // next character after blanks, 0 at the end
  bool Toma(char c);
  void Espera(char c);
  QString Cadena();
  QByteArrayView Numero();             // the number's own text, for exact decimals
  bool Literal(const char* sLiteral);  // true, false, null
  void Salta();                        // one whole value
  void Fin();                          // nothing may follow
  qsizetype Posicion() const { return F_n; }
  void Situa(qsizetype n) { F_n = n; }
  [[noreturn]] void Error(const QString& sDetalle) const;

  // Calls cadaClave(clave) with the reader on each member's value; the callee consumes it.
  template <class F>
  void Objeto(F cadaClave) {
    Espera('{');
    if (Toma('}')) return;
    do {
      if (Mira() != '"') Error(QStringLiteral("se esperaba el nombre de un miembro"));
      const QString sClave = Cadena();
      Espera(':');
      cadaClave(sClave);
    } while (Toma(','));
    Espera('}');
  }
  // Calls cadaElemento() with the reader on each element; the callee consumes it.
  template <class F>
  void Arreglo(F cadaElemento) {
    Espera('[');
    if (Toma(']')) return;
    do cadaElemento();
    while (Toma(','));
    Espera(']');
  }

 private:
  void SaltaCadena();

  const QByteArray& F_texto;
  qsizetype F_n;
};

}  // namespace mdbgen
