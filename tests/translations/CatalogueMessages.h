// SPDX-License-Identifier: MIT
#pragma once

// The messages of a catalogue's source file as its translator wrote them, read from the folder
// the test's environment names in TP_CATALOGUE_SOURCES.

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace tp::testing {

struct CatalogueMessage {
    QString context;
    QString source;
    QString translation;
};

inline std::vector<CatalogueMessage> CatalogueMessages(const QString& language) {
    QFile file(qEnvironmentVariable("TP_CATALOGUE_SOURCES") +
               QStringLiteral("/tidepeddler_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    std::vector<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.fileName().toStdString() << ": "
                                 << xml.errorString().toStdString();
    return messages;
}

} // namespace tp::testing
