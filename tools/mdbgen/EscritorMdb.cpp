#include "mdbgen/EscritorMdb.h"

namespace mdbgen {

class TArchivoJet {};

TEscritorMdb::TEscritorMdb(const QString&, const QString&) {}
TEscritorMdb::~TEscritorMdb() = default;
void TEscritorMdb::IniciaTabla(const QString&, const QList<TColumna>&) { throw EErrorMdb("sin implementar"); }
void TEscritorMdb::AgregaFila(const std::vector<TValor>&, bool) { throw EErrorMdb("sin implementar"); }
void TEscritorMdb::TerminaTabla() { throw EErrorMdb("sin implementar"); }
void TEscritorMdb::Termina() { throw EErrorMdb("sin implementar"); }
void EscribeDesdeJson(const QByteArray&, const QString&) { throw EErrorMdb("sin implementar"); }

}  // namespace mdbgen
