#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The report's variable list: category entries (a name with a leading blank)
// each followed by its variables. A value is an expression text; null prints nothing.
class TVariablesReporte {
 public:
  void AgregaCategoria(const QString& sCategoria);  // without the leading blank
  void AgregaVariable(const QString& sNombre, std::optional<QString> valorInicial);  // template load

  // Existing variable (anywhere in the list) gets the value; a new name goes after the
  // category's last variable; an unknown category changes nothing.
  void SetVariable(const QString& sCategoria, const QString& sNombre, const QString& sValor);
  void RestauraValoresIniciales();  // template values back; variables added later removed

  QStringList Nombres() const;      // variables only, in list order
  QStringList Entradas() const;     // every entry, category entries with their blank
  std::optional<QString> Valor(const QString& sNombre) const;
  // Value after evaluation: CR LF text literally, a valid expression its result,
  // anything else its raw text; nullopt for null or an unknown name.
  std::optional<QString> TextoImpreso(const QString& sNombre) const;

 private:
  struct TEntrada {
    QString sNombre;
    bool bCategoria = false;
    bool bDePlantilla = false;
    std::optional<QString> valor;
    std::optional<QString> valorInicial;
  };
  qsizetype IndiceVariable(const QString& sNombre) const;
  QList<TEntrada> F_entradas;
};
