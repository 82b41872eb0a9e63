#include "platform/Guarded.h"
#include "platform/Error.h"
#include "platform/MessageBox.h"

namespace ledgora {

void showError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const platform::SilentAbort&) {
    } catch (const platform::Error& e) {
        platform::errorBox(e.message());
    } catch (const std::exception& e) {
        platform::errorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        platform::errorBox(QStringLiteral("Unknown error"));
    }
}

} // namespace ledgora
