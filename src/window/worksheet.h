#pragma once

#include <memory>
#include <vector>

class Drawings;
class PageSnapshot;
class QPagedPaintDevice;

// Paper copies of practice pages, A4 across: for each page a sheet of its
// questions as they were generated (empty boxes, no marks) under lines for the
// pupil's name, the date and the score, then a sheet with every answer in its box.
void printWorksheets(QPagedPaintDevice& paper, const std::vector<std::shared_ptr<const PageSnapshot>>& pages,
                     const Drawings& drawings);
