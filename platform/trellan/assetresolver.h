#ifndef HX_TRELLAN_ASSETRESOLVER_H
#define HX_TRELLAN_ASSETRESOLVER_H

#include <QtCore/QString>
#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// Turns "asset:" URLs into files. "asset:///path" is the application's asset folder
// (HX_APP_ASSETS, else "assets/" next to the program), and where that lacks the file, the
// default asset set installed with the platform; "asset://root/path" is the embedded resource
// tree registered under ":/root/path". Within each, a variant in the folder named after the
// display's resolution ("720x1280"), then in the density folder ("12ppd"), wins over the base
// file.
class AssetResolver
{
public:
    static QString applicationAssetsPath();
    // HX_DEFAULT_ASSETS, else share/hxtrellanplaces/assets of the install (or, for a program
    // run from a build tree, beside its folder).
    static QString defaultAssetsPath();
    // The file a URL or path stands for, with its variant chosen; empty when nothing exists.
    // Plain file paths, "file:" and "qrc:" URLs are returned as files when they exist.
    static QString resolve(const QUrl &url);
    static QString resolve(const QString &pathOrUrl);
    // Asset URLs are resolved once per display and asset folders; a program that adds or
    // removes asset files while it runs calls this to have them looked up again.
    static void forgetFiles();
    // A URL QQmlEngine can load: asset URLs become file or qrc URLs.
    static QUrl toLoadableUrl(const QUrl &url);
};

} // namespace trellan
} // namespace hx

#endif
