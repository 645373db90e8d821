#pragma once

// Turns a page source into its HTML pages: HTML5 that is also well-formed XML,
// linked to library.css in the same folder, without scripts or anything fetched
// from elsewhere.

#include "page_source.h"

#include <QList>
#include <QString>

struct RenderedPage {
    QString fileName; // "<title>.htm"; a puzzle also gives "<title>答案.htm"
    QString html;
};

QList<RenderedPage> renderPages(const PageSource& page);

// A text of a page source as HTML: escaped, with "{3/4}" as a stacked fraction.
QString richText(const QString& text);

// A section heading without its points, for the answer key and for naming an
// item: "一、填空题（每空1分，共20分）" gives "一、填空题".
QString shortHeading(const QString& heading);
