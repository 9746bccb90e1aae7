// Reading a session from arbitrary bytes. The program's own errors are
// expected; a session that is read must write out as bytes that read back as
// the same session and write out the same again, so that saving what was
// opened never loses or alters a text.

#include "rules/apperror.h"
#include "rules/session.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString fileName = QStringLiteral("fuzz.corvane");
    Session session;
    try {
        session = sessionFromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), fileName);
    } catch (const AppError &) {
        return 0;
    }
    const QByteArray written = sessionToJson(session);
    try {
        const Session again = sessionFromJson(written, fileName);
        if (!(again == session) || sessionToJson(again) != written)
            std::abort();
    } catch (const AppError &) {
        std::abort();
    }
    return 0;
}
