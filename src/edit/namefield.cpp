#include <hx/trellan/places/namefield.h>

#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/resourceutils.h>

#include <hx/platform/places/tags.h>
#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/option.h>
#include <hx/trellan/textfield.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;
using hx::platform::places::Tags;

const QString NameField::MARKER_TAG_PATTERN = QStringLiteral("NAMEFIELD:%1");

namespace {

struct Choice
{
    const char *text;
    const char *image;
    const char *objectName;
};

const Choice CHOICES[] = {
    { QT_TRANSLATE_NOOP("NameField", "Favorite"), "favorite.png", "DropDownFavorite" },
    { QT_TRANSLATE_NOOP("NameField", "Home"), "ic_home.png", "DropDownHome" },
    { QT_TRANSLATE_NOOP("NameField", "Work"), "ic_work.png", "DropDownWork" },
};

QString choiceText(int index)
{
    return QCoreApplication::translate("NameField", CHOICES[index].text);
}

bool isServerPointOfInterest(const Place &place)
{
    return IconItemType::isPOI(&place) && !place.isPersisted();
}

} // namespace

NameField::NameField(Place &place, QObject *parent)
    : Container(parent), m_place(place), m_dropDown(new hx::trellan::DropDown), m_name(new hx::trellan::TextField)
{
    setObjectName(QStringLiteral("NameFieldRow"));
    m_dropDown->setObjectName(QStringLiteral("NameFieldDropDown"));
    for (const Choice &choice : CHOICES) {
        auto *option = new hx::trellan::Option;
        option->setObjectName(QLatin1String(choice.objectName));
        option->setValue(QString::fromLatin1(choice.text));
        option->setImageSource(QUrl(ResourceUtils::getAssetPath(QLatin1String(choice.image))));
        m_options << option;
        m_dropDown->add(option);
    }
    m_name->setObjectName(QStringLiteral("NameField"));
    m_name->setText(place.name());
    m_name->setTextStyle(isServerPointOfInterest(place) ? PlaceViewUtils::addressTextStyle()
                                                        : PlaceViewUtils::placeNameTextStyle());

    const int selection = initialSelection();
    if (m_name->text().isEmpty() && selection != Favorite)
        m_name->setText(choiceText(selection));
    m_dropDown->setSelectedIndex(selection);
    add(m_dropDown);
    add(m_name);
    retranslateUI();

    connect(m_dropDown, &hx::trellan::DropDown::selectedIndexChanged, this, &NameField::onSelectedIndexChanged);
    connect(m_dropDown, &hx::trellan::DropDown::expandedChanged, this, &NameField::onExpandedChanged);
    connect(m_name, &hx::trellan::Control::focusedChanged, this, &NameField::focusedChanged);
}

NameField::~NameField() = default;

hx::trellan::TextField *NameField::name() const
{
    return m_name;
}

int NameField::selectedIndex() const
{
    return qMax(0, m_dropDown->selectedIndex());
}

void NameField::retranslateUI()
{
    for (int i = 0; i < m_options.size(); ++i)
        m_options.at(i)->setText(choiceText(i));
}

int NameField::initialSelection() const
{
    if (m_place.hasTag(QLatin1String(Tags::MyHome)) || m_place.hasTag(MARKER_TAG_PATTERN.arg(Home)))
        return Home;
    if (m_place.hasTag(QLatin1String(Tags::MyWork)) || m_place.hasTag(MARKER_TAG_PATTERN.arg(Work)))
        return Work;
    return Favorite;
}

void NameField::onSelectedIndexChanged(int index)
{
    const QString text = m_name->text();
    const QString home = choiceText(Home);
    const QString work = choiceText(Work);
    if (index == Home && (text.isEmpty() || text == work))
        m_name->setText(home);
    else if (index == Work && (text.isEmpty() || text == home))
        m_name->setText(work);
    else if (index == Favorite && (text == home || text == work))
        m_name->setText(QString());
    emit selectedIndexChanged(index);
}

void NameField::onExpandedChanged(bool expanded)
{
    m_name->setVisible(!expanded);
}

bool NameField::update()
{
    m_replacedId = -1;
    bool goOn = true;
    const int selection = selectedIndex();
    if (selection == Favorite) {
        m_place.removeTag(QLatin1String(Tags::MyHome));
        m_place.removeTag(QLatin1String(Tags::MyWork));
    } else {
        goOn = updateHomeOrWork(selection);
    }
    for (int i = Favorite; i <= Work; ++i)
        m_place.removeTag(MARKER_TAG_PATTERN.arg(i));
    return goOn;
}

bool NameField::updateHomeOrWork(int selection)
{
    const bool home = selection == Home;
    const QString tag = QLatin1String(home ? Tags::MyHome : Tags::MyWork);
    const QString otherTag = QLatin1String(home ? Tags::MyWork : Tags::MyHome);
    const QSharedPointer<PlaceHeader> current = home ? HomeWorkCache::myHome() : HomeWorkCache::myWork();
    if (!current) {
        m_place.addTag(tag);
        m_place.removeTag(otherTag);
        return true;
    }
    if (current->id() == m_place.id()) {
        if (home)
            emit updateMyHome();
        else
            emit updateMyWork();
        return true;
    }
    if (!showReplaceDialog(selection, current->primaryLocation()))
        return false;
    // Also a place that already carries the tag (a new Home entry) replaces the stored one.
    changeToHomeOrWork(selection, current->id());
    return true;
}

void NameField::changeToHomeOrWork(int selection, qint64 oldId)
{
    const bool home = selection == Home;
    m_replacedId = oldId;
    m_place.addTag(QLatin1String(home ? Tags::MyHome : Tags::MyWork));
    m_place.removeTag(QLatin1String(home ? Tags::MyWork : Tags::MyHome));
}

QString NameField::kindText(int selection)
{
    return choiceText(selection);
}

bool NameField::showReplaceDialog(int selection, const QString &currentAddress)
{
    const QString kind = kindText(selection);
    hx::system::SystemDialog dialog;
    dialog.setTitle(QCoreApplication::translate("NameField", "Replace %1?").arg(kind));
    dialog.setBody(QCoreApplication::translate("NameField",
                                               "You have already set a %1. Do you want to replace this "
                                               "address?\n\nCurrent %1 Address\n%2\n\nNew %1 address\n%3")
                       .arg(kind, currentAddress, m_place.primaryLocation()));
    dialog.confirmButton()->setLabel(QCoreApplication::translate("NameField", "Replace"));
    dialog.cancelButton()->setLabel(QCoreApplication::translate("NameField", "Don't Replace"));
    return dialog.exec() == hx::system::SystemUiResult::ConfirmButtonSelection;
}

} // namespace places
} // namespace trellan
} // namespace hx
