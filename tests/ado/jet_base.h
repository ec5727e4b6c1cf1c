#pragma once

#include "ado/ErrorADO.h"
#include "ado/jet/EjecutorJet.h"
#include "ado/jet/ReglasSQLite.h"

#include <QStringList>
#include <memory>
#include <sqlite3.h>

// An in-memory SQLite session with Jet's rules, tables made directly in SQL as the loader
// makes them (text COLLATE JET, dates DATETIME, Yes/No -1/0, Currency CURRENCY in
// ten-thousandths, Decimal DECIMAL as its ordered key).
class TBaseJet {
 public:
  explicit TBaseJet(const QLocale& locale = QLocale::system())
      : F_db(Abre(locale)), ejecutor(F_db.get(), [this](const QString& s, const auto&) { tablasPedidas << s; }) {}

  void Ejecuta(const QString& sSql) {
    char* sError = nullptr;
    if (sqlite3_exec(F_db.get(), sSql.toUtf8().constData(), nullptr, nullptr, &sError) != SQLITE_OK) {
      const QString s = QString::fromUtf8(sError);
      sqlite3_free(sError);
      throw std::runtime_error(s.toStdString());
    }
  }

  // The result as text: a header row of names, then one line per row, values joined by
  // '|'; Null as "Null", reals in full precision. An error as "Clase - Mensaje".
  QString Consulta(const QString& sJet) {
    try {
      sqlite3_stmt* stmt = ejecutor.Prepara(sJet).pSentencia;
      QStringList lineas, nombres;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) nombres << QString::fromUtf8(sqlite3_column_name(stmt, i));
      lineas << nombres.join(u'|');
      int nPaso;
      while ((nPaso = sqlite3_step(stmt)) == SQLITE_ROW) {
        QStringList valores;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) valores << Valor(stmt, i);
        lineas << valores.join(u'|');
      }
      if (nPaso != SQLITE_DONE) lineas = QStringList{QStringLiteral("Error - ") + QString::fromUtf8(sqlite3_errmsg(F_db.get()))};
      sqlite3_finalize(stmt);
      return lineas.join(u'\n');
    } catch (const ado::EErrorADO& e) {
      return e.Clase() + QStringLiteral(" - ") + e.Mensaje();
    }
  }

  sqlite3* Db() const { return F_db.get(); }

  int Cuenta(const QString& sSqlite) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(F_db.get(), sSqlite.toUtf8().constData(), -1, &stmt, nullptr);
    sqlite3_step(stmt);
    const int n = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return n;
  }

 private:
  static QString Valor(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
      case SQLITE_NULL: return QStringLiteral("Null");
      case SQLITE_INTEGER: return QString::number(sqlite3_column_int64(stmt, i));
      case SQLITE_FLOAT: return QString::number(sqlite3_column_double(stmt, i), 'g', 17);
      default: return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
    }
  }

  static std::unique_ptr<sqlite3, int (*)(sqlite3*)> Abre(const QLocale& locale) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    ado::jet::RegistraReglas(db, locale);
    return {db, sqlite3_close};
  }

  std::unique_ptr<sqlite3, int (*)(sqlite3*)> F_db;

 public:
  QStringList tablasPedidas;
  ado::jet::TEjecutorJet ejecutor;
};
