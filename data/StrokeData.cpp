// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/StrokeData.h"

#include "data/ErrorReports.h"
#include "data/ProgramDir.h"
#include "writing/strokes/KakijunFile.h"
#include "writing/strokes/StrokeStore.h"

#include <memory>

namespace {

std::unique_ptr<StrokeStore>& Shared() {
    static std::unique_ptr<StrokeStore> store;
    return store;
}

} // namespace

const StrokeStore* SharedStrokeStore(QWidget* host) {
    std::unique_ptr<StrokeStore>& store = Shared();
    if (!store) {
        auto made = std::make_unique<StrokeStore>();
        if (!made->load(ProgramFile(KakijunFileName))) {
            if (host)
                FileErrorReport(host, KakijunFileName);
            return nullptr;
        }
        store = std::move(made);
    }
    return store.get();
}

void ForgetSharedStrokeStore() {
    Shared().reset();
}
