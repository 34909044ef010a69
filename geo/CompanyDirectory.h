#pragma once

#include "addresses/Adresse.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The business directory's companies in their current order, with the sort
// state, distances and radius marks.
class MCompanyDirectory {
public:
    // One company from a 25-field row; empty when the row has fewer fields or
    // a text where an integer belongs.
    static std::unique_ptr<MAdresse> ParseCompany(const QString& line);
    // The numbers 1 … 12 of the set category bits, joined by ",".
    static QString CategoryNumbers(int branche);
    // The sort name of a key; empty for keys without one.
    static QString SortNameOf(int key);

    // Appends the companies of every non-empty line; returns how many were read.
    int AddList(const QString& text);
    // The three built-in lists, then the list sorted with the current key.
    int LoadBuiltInLists();
    void Add(std::unique_ptr<MAdresse> company);
    void Clear();

    // Sets the direction (0 ascending, 1 descending) and sorts.
    void SortCompaniesDirection(int direction);
    // Sets the key, sorts, and takes the key's sort name when it has one.
    void SortCompanies(int key);
    void Sort();

    // InRadius and Distance of every company seen from (a, b) with radius R km.
    void ComputeDistances(int a, int b, int radiusKm);
    void ClearSelection();
    // Selected only for `company` (none when null).
    void SelectOnly(const MAdresse* company);
    // The companies a grid lists for radius R: Distance at most R (any when R <= 0).
    std::vector<MAdresse*> CompaniesWithin(int radiusKm) const;

    const std::vector<std::unique_ptr<MAdresse>>& Companies() const { return m_companies; }
    int Count() const { return m_count; }
    int SortKey() const { return m_sortKey; }
    int SortDirection() const { return m_sortDirection; }
    QString SortName() const { return m_sortName; }

private:
    std::vector<std::unique_ptr<MAdresse>> m_companies;
    int m_count = 0;
    int m_sortKey = 10;
    int m_sortDirection = 0;
    QString m_sortName;
};
