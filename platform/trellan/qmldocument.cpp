#include <hx/device/displayinfo.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/abstractpane.h>
#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/assetresolver.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/datamodel.h>
#include <hx/trellan/deleteactionitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/divider.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/fadetransition.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/header.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/invokeactionitem.h>
#include <hx/trellan/label.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/option.h>
#include <hx/trellan/page.h>
#include <hx/trellan/qmldocument.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/validator.h>
#include <hx/trellan/webview.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QThreadStorage>
#include <QtQml/QQmlComponent>
#include <QtQml/QQmlContext>
#include <QtQml/QQmlEngine>
#include <QtQml/qqml.h>

namespace hx {
namespace trellan {

namespace {
const char *const Module = "hx.trellan";

QThreadStorage<QQmlEngine *> workerEngines;

template<typename T> void registerControl(const char *name)
{
    qmlRegisterType<T>(Module, 1, 0, name);
}

template<typename T> void registerValues(const char *name)
{
    qmlRegisterUncreatableMetaObject(T::staticMetaObject, Module, 1, 0, name,
                                     QStringLiteral("%1 holds values only").arg(QLatin1String(name)));
}
} // namespace

struct QmlDocument::Private
{
    QUrl source;
    QUrl loadable;
    QQmlEngine *engine = nullptr;
    QQmlContext *context = nullptr;
    QQmlComponent *component = nullptr;
    QList<QQmlError> errors;
};

void QmlDocument::registerTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    registerControl<Container>("Container");
    registerControl<Label>("Label");
    registerControl<ImageView>("ImageView");
    registerControl<ImageButton>("ImageButton");
    registerControl<Button>("Button");
    registerControl<TextField>("TextField");
    registerControl<TextArea>("TextArea");
    registerControl<DropDown>("DropDown");
    registerControl<RadioGroup>("RadioGroup");
    registerControl<Option>("Option");
    registerControl<ActivityIndicator>("ActivityIndicator");
    registerControl<ScrollView>("ScrollView");
    registerControl<WebView>("WebView");
    registerControl<Divider>("Divider");
    registerControl<Header>("Header");
    registerControl<CustomControl>("CustomControl");
    registerControl<CustomListItem>("CustomListItem");
    registerControl<ListView>("ListView");
    registerControl<Page>("Page");
    registerControl<TitleBar>("TitleBar");
    registerControl<FreeFormTitleBarKindProperties>("FreeFormTitleBarKindProperties");
    registerControl<NavigationPane>("NavigationPane");
    registerControl<NavigationPaneProperties>("NavigationPaneProperties");
    registerControl<Sheet>("Sheet");
    registerControl<Dialog>("Dialog");
    registerControl<ActionItem>("ActionItem");
    registerControl<DeleteActionItem>("DeleteActionItem");
    registerControl<InvokeActionItem>("InvokeActionItem");
    registerControl<ActionSet>("ActionSet");
    registerControl<StackLayout>("StackLayout");
    registerControl<DockLayout>("DockLayout");
    registerControl<TapHandler>("TapHandler");
    registerControl<Validator>("Validator");
    registerControl<LayoutUpdateHandler>("LayoutUpdateHandler");
    registerControl<ActionBarProperties>("ActionBarProperties");
    registerControl<FadeTransition>("FadeTransition");
    hx::device::DisplayInfo::registerQmlType();
    qmlRegisterUncreatableType<Control>(Module, 1, 0, "Control", QStringLiteral("Control is abstract"));
    qmlRegisterUncreatableType<Layout>(Module, 1, 0, "Layout", QStringLiteral("Layout is abstract"));
    qmlRegisterUncreatableType<AbstractPane>(Module, 1, 0, "AbstractPane", QStringLiteral("AbstractPane is abstract"));
    qmlRegisterUncreatableType<DataModel>(Module, 1, 0, "DataModel", QStringLiteral("DataModel is abstract"));
    registerValues<HorizontalAlignment>("HorizontalAlignment");
    registerValues<VerticalAlignment>("VerticalAlignment");
    registerValues<LayoutOrientation>("LayoutOrientation");
    registerValues<FocusPolicy>("FocusPolicy");
    registerValues<ScrollMode>("ScrollMode");
    registerValues<ActionBarPlacement>("ActionBarPlacement");
    registerValues<UIOrientation>("UIOrientation");
    registerValues<TextContentFlag>("TextContentFlag");
    registerValues<TextFormat>("TextFormat");
    registerValues<TouchType>("TouchType");
    registerValues<FontSize>("FontSize");
    registerValues<FontWeight>("FontWeight");
    registerValues<HighlightAppearance>("HighlightAppearance");
    registerValues<TitleBarKind>("TitleBarKind");
    registerValues<TitleBarScrollBehavior>("TitleBarScrollBehavior");
    registerValues<TextInputMode>("TextInputMode");
    registerValues<ValidationMode>("ValidationMode");
}

QQmlEngine *QmlDocument::defaultDeclarativeEngine()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread()) {
        // Dies with the application, after the documents and objects that use it.
        static QPointer<QQmlEngine> mainEngine;
        if (!mainEngine) {
            mainEngine = new QQmlEngine(app);
            // Documents translate their texts through the engine, which re-evaluates them only
            // when told: shown documents then follow the phone's language like every control.
            auto *locale = new hx::system::LocaleHandler(mainEngine);
            QObject::connect(locale, &hx::system::LocaleHandler::languageChanged, mainEngine.data(),
                             &QQmlEngine::retranslate);
        }
        return mainEngine;
    }
    if (!workerEngines.hasLocalData())
        workerEngines.setLocalData(new QQmlEngine);
    return workerEngines.localData();
}

QmlDocument::QmlDocument(const QUrl &url, QObject *parent) : QObject(parent), d(new Private)
{
    registerTypes();
    d->source = url;
    d->engine = defaultDeclarativeEngine();
    d->context = new QQmlContext(d->engine->rootContext(), this);
}

QmlDocument::~QmlDocument() = default;

QmlDocument *QmlDocument::create(const QString &url, QObject *parent)
{
    QUrl parsed(url);
    if (url.startsWith(QLatin1Char('/')))
        parsed = QUrl::fromLocalFile(url);
    else if (url.startsWith(QLatin1Char(':')))
        parsed = QUrl(QStringLiteral("qrc") + url);
    return new QmlDocument(parsed, parent);
}

QUrl QmlDocument::source() const
{
    return d->source;
}

bool QmlDocument::load()
{
    if (d->component)
        return d->errors.isEmpty();
    d->errors.clear();
    d->loadable = AssetResolver::toLoadableUrl(d->source);
    if (!d->loadable.isValid()) {
        QQmlError error;
        error.setUrl(d->source);
        error.setDescription(QStringLiteral("No such asset: %1").arg(d->source.toString()));
        d->errors.append(error);
        return false;
    }
    d->component = new QQmlComponent(d->engine, d->loadable, QQmlComponent::PreferSynchronous, this);
    if (d->component->isError())
        d->errors = d->component->errors();
    return d->errors.isEmpty();
}

bool QmlDocument::hasErrors() const
{
    return !d->errors.isEmpty();
}

QList<QQmlError> QmlDocument::errors() const
{
    return d->errors;
}

QString QmlDocument::errorString() const
{
    QStringList lines;
    for (const QQmlError &error : qAsConst(d->errors))
        lines.append(error.toString());
    return lines.join(QLatin1Char('\n'));
}

void QmlDocument::setContextProperty(const QString &name, QObject *object)
{
    d->context->setContextProperty(name, object);
}

void QmlDocument::setContextProperty(const QString &name, const QVariant &value)
{
    d->context->setContextProperty(name, value);
}

QQmlContext *QmlDocument::documentContext() const
{
    return d->context;
}

QObject *QmlDocument::createRootQObject(QQmlContext *context)
{
    if (!load())
        return nullptr;
    QObject *object = d->component->create(context ? context : d->context);
    if (!object) {
        d->errors = d->component->errors();
        return nullptr;
    }
    // The caller owns the root, not the engine's garbage collector.
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}

} // namespace trellan
} // namespace hx
