#include "ui/JobGridView.h"

#include "spool/JobGrid.h"
#include "ui/QtText.h"
#include "ui/StringGrid.h"

#include <QHeaderView>

namespace zel {

JobGridView::JobGridView(const JobList& jobs, StringGrid& table) : m_jobs(jobs), m_table(table) {}

void JobGridView::Refresh() {
    if (m_shownRevision == m_jobs.Revision()) {
        return;
    }
    m_shownRevision = m_jobs.Revision();
    m_table.horizontalHeader()->setMinimumSectionSize(0);
    for (int column = kFirstHiddenJobColumn; column < kJobColumns; ++column) {
        m_table.setColumnWidth(column, 0);
    }
    const auto show = [this](int column, int row, const std::string& cp1250) {
        const QString text = FromCp1250(cp1250);
        if (m_table.Cell(column, row) != text) {
            m_table.SetCell(column, row, text);
        }
    };
    const int rows = JobGridRowCount(m_jobs);
    m_table.SetRowCount(rows);
    for (int column = 0; column < kJobColumns; ++column) {
        show(column, 0, JobColumnHeader(column));
        for (int row = 1; row < rows; ++row) {
            show(column, row, JobGridCell(m_jobs, row, column));
        }
    }
}

} // namespace zel
